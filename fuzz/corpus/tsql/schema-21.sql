-- Characteristics: one code spans several rows (SakhtarRaj), so the key covers both; IDX
-- identifies a row for the grid.
Create Table D_Sakhtar (
    SakhtarCod  Varchar(3)   Not Null,
    SakhtarRaj  Int          Not Null,
    SakhtarNam  Varchar(100) Null Default '',
    SakhtarLen  Int          Null Default 0,
    SakhtarType Varchar(10)  Null Default '',
    IDX         Int          Identity(1, 1) Not Null,
    Constraint PK_D_Sakhtar Primary Key (SakhtarCod, SakhtarRaj)
)
