-- Change of the depreciation method or rate of an asset.
Create Table D_SoulationChange (
    SanadNoAmval Int          Not Null,
    Radif        Int          Not Null,
    sDate        Varchar(10)  Null Default '',
    DaraCod      Varchar(10)  Not Null,
    MadehCod     Varchar(3)   Null Default '',
    RaveshEst    Varchar(6)   Null Default '',
    Nozooli      Float        Null Default 0,
    Salianeh     Int          Null Default 0,
    Sharh        Varchar(200) Null Default '',
    Constraint PK_D_SoulationChange Primary Key (SanadNoAmval, Radif)
)
