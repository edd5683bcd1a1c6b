-- Opening adjustment of an asset's values when the system is taken into use.
Create Table D_FirstTadil (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    EndValue     Decimal(19,0) Null Default 0,
    Anbashteh    Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_FirstTadil Primary Key (SanadNoAmval, Radif)
)
