Create Table D_Gheimat (
    GheimatCod Varchar(3)   Null,
    GheimatNam Varchar(100) Null Default ''
)
