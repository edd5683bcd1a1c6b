Create Table GrohTafsily2 (
    Tafsily2GrohCod Varchar(2)   Not Null,
    Tafsily2GrohNam Varchar(100) Null Default '',
    Constraint PK_GrohTafsily2 Primary Key (Tafsily2GrohCod)
)
