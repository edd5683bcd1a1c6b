Create Table D_Mabadi (
    MabadiCod  Varchar(3)   Null,
    MabadiNam  Varchar(100) Null Default '',
    Koll       Varchar(3)   Null Default '',
    Moein      Varchar(3)   Null Default '',
    Tafsily    Varchar(5)   Null Default '',
    Tafsily2   Varchar(6)   Null Default '',
    ProjectCod Varchar(5)   Null Default ''
)
