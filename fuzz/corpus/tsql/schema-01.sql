-- Chart of accounts -------------------------------------------------------------------------

Create Table Koll (
    Koll       Varchar(3)   Not Null,
    NamHesab   Varchar(100) Null Default '',
    RecogName  Varchar(10)  Null Default '',
    IsHesabTmp Varchar(10)  Null Default '',
    IsActive   Varchar(10)  Null Default '',
    IsPosHesab Varchar(10)  Null Default '',
    DesChar    Varchar(20)  Null Default '',
    Constraint PK_Koll Primary Key (Koll)
)
