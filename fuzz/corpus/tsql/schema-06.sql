-- Detail-2 accounts (cost centres) with the three account chains of the assets kept in them:
-- the asset account (no prefix), accumulated depreciation (A) and depreciation expense (H).
Create Table Tafsily2 (
    Tafsily2    Varchar(6)   Not Null,
    NamHesab    Varchar(100) Null Default '',
    Koll        Varchar(3)   Null Default '',
    Moein       Varchar(3)   Null Default '',
    Tafsily     Varchar(5)   Null Default '',
    ProjectCod  Varchar(5)   Null Default '',
    AKoll       Varchar(3)   Null Default '',
    AMoein      Varchar(3)   Null Default '',
    ATafsily    Varchar(5)   Null Default '',
    AProjectCod Varchar(5)   Null Default '',
    HKoll       Varchar(3)   Null Default '',
    HMoein      Varchar(3)   Null Default '',
    HTafsily    Varchar(5)   Null Default '',
    HProjectCod Varchar(5)   Null Default '',
    RecogName   Varchar(10)  Null Default '',
    IsActive    Varchar(10)  Null Default '',
    IsPosHesab  Varchar(10)  Null Default '',
    DesChar     Varchar(20)  Null Default '',
    GrohProject Varchar(100) Null Default '',
    ProjectJoz  Varchar(500) Null Default '',
    Constraint PK_Tafsily2 Primary Key (Tafsily2)
)
