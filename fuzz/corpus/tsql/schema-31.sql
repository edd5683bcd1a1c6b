Create Table D_KenarD (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    VazCod       Varchar(3)    Null Default '',
    Mablagh      Decimal(19,0) Null Default 0,
    Constraint PK_D_KenarD Primary Key (SanadNoAmval, Radif)
)
