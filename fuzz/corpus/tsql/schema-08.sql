Create Table M_Project (
    ProjectCod Varchar(5)   Not Null,
    ProjectNam Varchar(100) Null Default '',
    RecogName  Varchar(10)  Null Default '',
    IsActive   Varchar(10)  Null Default '',
    IsPosHesab Varchar(10)  Null Default '',
    DesChar    Varchar(20)  Null Default '',
    Constraint PK_M_Project Primary Key (ProjectCod)
)
