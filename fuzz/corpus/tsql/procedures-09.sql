-- Detail-2 accounts are posted in documents and named by locations, delivery sources, the three
-- account chains of assets and the account chains of personnel. Asked when a code is changed.
Create Procedure sp_D_Depended_Tafsily2Code
    @Code Varchar(20)
As
Select (Select Count(*) From Asnad
        Where LTrim(RTrim(Tafsily2)) <> '' And LTrim(RTrim(Tafsily2)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_Makan
        Where LTrim(RTrim(Tafsily2)) <> '' And LTrim(RTrim(Tafsily2)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_Mabadi
        Where LTrim(RTrim(Tafsily2)) <> '' And LTrim(RTrim(Tafsily2)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_Amval
        Where (LTrim(RTrim(DTafsily2)) <> '' And LTrim(RTrim(DTafsily2)) = LTrim(RTrim(@Code)))
           Or (LTrim(RTrim(Tafsily2)) <> '' And LTrim(RTrim(Tafsily2)) = LTrim(RTrim(@Code)))
           Or (LTrim(RTrim(HTafsily2)) <> '' And LTrim(RTrim(HTafsily2)) = LTrim(RTrim(@Code))))
     + (Select Count(*) From Person
        Where (LTrim(RTrim(D_TAFSILY2)) <> '' And LTrim(RTrim(D_TAFSILY2)) = LTrim(RTrim(@Code)))
           Or (LTrim(RTrim(TAFSILY2)) <> '' And LTrim(RTrim(TAFSILY2)) = LTrim(RTrim(@Code))))
       As UsedCount
