Create Table M_GrohProject (
    ProjectGrohCod Varchar(2)   Not Null,
    ProjectGrohNam Varchar(100) Null Default '',
    Constraint PK_M_GrohProject Primary Key (ProjectGrohCod)
)
