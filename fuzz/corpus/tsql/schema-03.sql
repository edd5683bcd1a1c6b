Create Table GrohTafsily (
    TafsilyGrohCod Varchar(2)   Not Null,
    TafsilyGrohNam Varchar(100) Null Default '',
    Constraint PK_GrohTafsily Primary Key (TafsilyGrohCod)
)
