-- Delivery sources: purchase documents name the source each component came from.
Create Procedure sp_D_Depended_MabadiCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_Buy_Create
        Where LTrim(RTrim(MabadiCod)) <> '' And LTrim(RTrim(MabadiCod)) = LTrim(RTrim(@Code)))
       As UsedCount
