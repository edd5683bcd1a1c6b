Create Table D_VezArat (
    VezCod Varchar(3)   Not Null,
    VezNam Varchar(100) Null Default '',
    Constraint PK_D_VezArat Primary Key (VezCod)
)
