-- Personnel: assets are handed over to a person, transfer documents move them between people.
Create Procedure sp_Depended_Person
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(PersonelCod)) <> '' And LTrim(RTrim(PersonelCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_Tahvil_Antegal
        Where (LTrim(RTrim(FromPersonelCod)) <> '' And LTrim(RTrim(FromPersonelCod)) = LTrim(RTrim(@Code)))
           Or (LTrim(RTrim(ToPersonelCod)) <> '' And LTrim(RTrim(ToPersonelCod)) = LTrim(RTrim(@Code))))
       As UsedCount
