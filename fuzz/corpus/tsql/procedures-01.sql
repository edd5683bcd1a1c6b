-- Locations: assets stand in them, transfer documents move assets between them.
Create Procedure sp_D_Depended_MakanCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(MakanCod)) <> '' And LTrim(RTrim(MakanCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_Tahvil_Antegal
        Where (LTrim(RTrim(FromMakanCod)) <> '' And LTrim(RTrim(FromMakanCod)) = LTrim(RTrim(@Code)))
           Or (LTrim(RTrim(ToMakanCod)) <> '' And LTrim(RTrim(ToMakanCod)) = LTrim(RTrim(@Code))))
       As UsedCount
