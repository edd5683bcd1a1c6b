-- Purchase or construction: each row one cost component of an asset from a delivery source.
Create Table D_Buy_Create (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    MabadiCod    Varchar(3)    Null Default '',
    GheimatCod   Varchar(3)    Null Default '',
    Mablagh      Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_Buy_Create Primary Key (SanadNoAmval, Radif)
)
