Create Table D_VazDarae (
    VazCod Varchar(3)   Not Null,
    VazNam Varchar(100) Null Default '',
    Constraint PK_D_VazDarae Primary Key (VazCod)
)
