-- Tax-declaration groups of the assets.
Create Procedure sp_D_Depended_Vezarat
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(VezCod)) <> '' And LTrim(RTrim(VezCod)) = LTrim(RTrim(@Code)))
       As UsedCount
