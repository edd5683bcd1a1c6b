-- Cost-price components: purchase documents split an asset's cost into them.
Create Procedure sp_D_Depended_Gheimat
    @Code Varchar(20)
As
Select (Select Count(*) From D_Buy_Create
        Where LTrim(RTrim(GheimatCod)) <> '' And LTrim(RTrim(GheimatCod)) = LTrim(RTrim(@Code)))
       As UsedCount
