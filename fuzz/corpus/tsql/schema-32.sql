-- Hand-over and transfer between locations and recipients.
Create Table D_Tahvil_Antegal (
    SanadNoAmval    Int          Not Null,
    Radif           Int          Not Null,
    sDate           Varchar(10)  Null Default '',
    DaraCod         Varchar(10)  Not Null,
    FromMakanCod    Varchar(3)   Null Default '',
    ToMakanCod      Varchar(3)   Null Default '',
    FromPersonelCod Varchar(5)   Null Default '',
    ToPersonelCod   Varchar(5)   Null Default '',
    Sharh           Varchar(200) Null Default '',
    Constraint PK_D_Tahvil_Antegal Primary Key (SanadNoAmval, Radif)
)
