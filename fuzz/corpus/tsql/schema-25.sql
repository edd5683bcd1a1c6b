-- Asset documents -----------------------------------------------------------------------------
-- Every document table carries its date (sDate) and number (SanadNoAmval).

-- Revaluation: a new cost basis for an asset.
Create Table D_AsaseChange (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    OldValue     Decimal(19,0) Null Default 0,
    NewValue     Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_AsaseChange Primary Key (SanadNoAmval, Radif)
)
