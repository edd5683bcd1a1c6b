-- Partial reduction of an asset (a part sold, lost or written off).
Create Table D_DaraeReduce (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    Mablagh      Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_DaraeReduce Primary Key (SanadNoAmval, Radif)
)
