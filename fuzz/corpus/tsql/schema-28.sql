-- Sale or disposal.
Create Table D_ForoshDaymeh (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    Kharidar     Varchar(100)  Null Default '',
    Mablagh      Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_ForoshDaymeh Primary Key (SanadNoAmval, Radif)
)
