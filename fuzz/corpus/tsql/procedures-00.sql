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
