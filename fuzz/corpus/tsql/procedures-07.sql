-- Characteristics: assets refer to a characteristic code (all of its rows).
Create Procedure sp_D_Depended_SakhtarCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(SakhtarCod)) <> '' And LTrim(RTrim(SakhtarCod)) = LTrim(RTrim(@Code)))
       As UsedCount
