-- Assets: an asset named in any asset document cannot be deleted.
Create Procedure sp_D_Depended_AmvalCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_AsaseChange
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_FirstTadil
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_Buy_Create
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_ForoshDaymeh
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_DaraeReduce
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_KenarD
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_Tahvil_Antegal
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_SoulationChange
        Where LTrim(RTrim(DaraCod)) <> '' And LTrim(RTrim(DaraCod)) = LTrim(RTrim(@Code)))
       As UsedCount
