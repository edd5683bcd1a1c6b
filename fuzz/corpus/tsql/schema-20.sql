-- Depreciation rates of article 151 of the direct-taxes law. Sharh is the method, copied into
-- the asset's RaveshEst: a straight-line row carries years, a declining row a percentage.
Create Table D_Madeh151 (
    MadehCod Varchar(3)   Not Null,
    MadehNam Varchar(150) Null Default '',
    Sharh    Varchar(6)   Null Default '',
    Nozooli  Float        Null Default 0,
    Salianeh Int          Null Default 0,
    Constraint PK_D_Madeh151 Primary Key (MadehCod)
)
