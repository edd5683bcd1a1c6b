-- Base lists of the asset system ------------------------------------------------------------

Create Table D_Makan (
    MakanCod Varchar(3)   Not Null,
    MakanNam Varchar(100) Null Default '',
    Tafsily2 Varchar(6)   Null Default '',
    Constraint PK_D_Makan Primary Key (MakanCod)
)
