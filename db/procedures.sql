-- Stored procedures of the company database.
--
-- sp_Is_Name_Repeated answers whether a name is already used in a table: it returns a row when
-- it is, no row when it is not. Names count as the same when they differ only in blanks and
-- kashidas, the rule by which the editors decide to ask at all, or in the Persian yeh and keheh
-- against the Arabic yeh and kaf (a row stored from a Persian keyboard).
--
-- Each dependency procedure answers whether a code may be deleted or renumbered: one row whose
-- first column counts the records that refer to the code (0 = unused). Codes are compared with
-- their padding trimmed, so the stored form and the typed form of a code find the same records;
-- an empty code is never counted as used.

Create Procedure sp_Is_Name_Repeated
    @Table    Varchar(128),
    @NameExpr Varchar(1000),
    @Value    Varchar(1000)
As
Declare @Statement Varchar(4000)
Set @Statement = 'Select Top 1 ' + @NameExpr + ' As RepeatedName From ' + @Table
    + ' Where Replace(Replace(Replace(Replace(' + @NameExpr
    + ', '' '', ''''), ''ـ'', ''''), ''ی'', ''ي''), ''ک'', ''ك'') = '''
    + Replace(Replace(Replace(Replace(Replace(@Value, ' ', ''), 'ـ', ''), 'ی', 'ي'), 'ک', 'ك'),
              '''', '''''') + ''''
Exec(@Statement)
GO

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
GO

-- Asset states: the state of each asset, and the state recorded when an asset is retired.
Create Procedure sp_D_Depended_VazCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(VazCod)) <> '' And LTrim(RTrim(VazCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_KenarD
        Where LTrim(RTrim(VazCod)) <> '' And LTrim(RTrim(VazCod)) = LTrim(RTrim(@Code)))
       As UsedCount
GO

-- Tax-declaration groups of the assets.
Create Procedure sp_D_Depended_Vezarat
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(VezCod)) <> '' And LTrim(RTrim(VezCod)) = LTrim(RTrim(@Code)))
       As UsedCount
GO

-- Cost-price components: purchase documents split an asset's cost into them.
Create Procedure sp_D_Depended_Gheimat
    @Code Varchar(20)
As
Select (Select Count(*) From D_Buy_Create
        Where LTrim(RTrim(GheimatCod)) <> '' And LTrim(RTrim(GheimatCod)) = LTrim(RTrim(@Code)))
       As UsedCount
GO

-- Delivery sources: purchase documents name the source each component came from.
Create Procedure sp_D_Depended_MabadiCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_Buy_Create
        Where LTrim(RTrim(MabadiCod)) <> '' And LTrim(RTrim(MabadiCod)) = LTrim(RTrim(@Code)))
       As UsedCount
GO

-- Depreciation-rate rows: assets carry one, method-change documents record the new one.
Create Procedure sp_D_Depended_Madeh151
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(MadehCod)) <> '' And LTrim(RTrim(MadehCod)) = LTrim(RTrim(@Code)))
     + (Select Count(*) From D_SoulationChange
        Where LTrim(RTrim(MadehCod)) <> '' And LTrim(RTrim(MadehCod)) = LTrim(RTrim(@Code)))
       As UsedCount
GO

-- Characteristics: assets refer to a characteristic code (all of its rows).
Create Procedure sp_D_Depended_SakhtarCode
    @Code Varchar(20)
As
Select (Select Count(*) From D_Amval
        Where LTrim(RTrim(SakhtarCod)) <> '' And LTrim(RTrim(SakhtarCod)) = LTrim(RTrim(@Code)))
       As UsedCount
GO

-- Organisational units: every person belongs to one. The unit code is numeric.
Create Procedure sp_Depended_Depart
    @Code Varchar(20)
As
Select (Select Count(*) From Person
        Where Vahd Is Not Null And Cast(Vahd As Varchar(20)) = LTrim(RTrim(@Code)))
       As UsedCount
GO

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
GO

-- The same question, asked when a detail-2 account is deleted.
Create Procedure sp_Depended_Tafsily2Code
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
GO

-- Detail-2 groups: a group is in use while any detail-2 account code begins with it.
Create Procedure sp_M_Depended_GrohTafsily2
    @Code Varchar(20)
As
Select (Select Count(*) From Tafsily2
        Where Len(LTrim(RTrim(@Code))) > 0
          And SubString(Tafsily2, 1, Len(LTrim(RTrim(@Code)))) = LTrim(RTrim(@Code)))
       As UsedCount
GO

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
GO

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
GO
