-- Depreciation-rate rows: assets carry one, method-change documents record the new one.
Create Procedure sp_D_Depended_Madeh151
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(MadehCod)) <> '' And LTrim(RTrim(MadehCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_SoulationChange
        Where LTrim(RTrim(MadehCod)) <> '' And LTrim(RTrim(MadehCod)) = LTrim(RTrim(@Code)))
       As UsedCount
