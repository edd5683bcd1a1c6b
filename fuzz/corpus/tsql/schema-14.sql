-- Saved grid layouts, one row per grid column.
Create Table Grid_State (
    UserId   Varchar(10) Not Null,
    sVisible Varchar(1)  Null Default 'T',
    sProg    Varchar(5)  Not Null,
    sItem    Varchar(20) Not Null,
    sForm    Varchar(30) Not Null,
    sPart    Varchar(30) Not Null Default '',
    sColName Varchar(50) Null Default '',
    iLen     Int         Null Default 0,
    iRaj     Int         Not Null,
    Constraint PK_Grid_State Primary Key (UserId, sProg, sItem, sForm, sPart, iRaj)
)
