Create Table Tafsily (
    Tafsily      Varchar(5)   Not Null,
    NamHesab     Varchar(100) Null Default '',
    RecogName    Varchar(10)  Null Default '',
    IsActive     Varchar(10)  Null Default '',
    IsPosHesab   Varchar(10)  Null Default '',
    DesChar      Varchar(20)  Null Default '',
    GrohTafsily2 Varchar(100) Null Default '',
    Tafsily2Joz  Varchar(500) Null Default '',
    GrohProject  Varchar(100) Null Default '',
    ProjectJoz   Varchar(500) Null Default '',
    Constraint PK_Tafsily Primary Key (Tafsily)
)
