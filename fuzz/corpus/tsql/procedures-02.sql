-- Asset states: the state of each asset, and the state recorded when an asset is retired.
Create Procedure sp_D_Depended_VazCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(VazCod)) <> '' And LTrim(RTrim(VazCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_KenarD
        Where LTrim(RTrim(VazCod)) <> '' And LTrim(RTrim(VazCod)) = LTrim(RTrim(@Code)))
       As UsedCount
