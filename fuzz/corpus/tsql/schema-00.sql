-- Company database of the fixed-asset system: every table the base-information module reads or
-- writes. Column types and lengths are chosen once for each kind of code and used wherever that
-- code appears, because codes are stored padded to their declared length and compared as stored:
--   general account (Koll) 3, subsidiary account (Moein) 3, detail account (Tafsily) 5,
--   detail-2 account (Tafsily2) 6, project (ProjectCod) 5, every group code 2,
--   base-list codes 3, personnel code 5, asset code 10, dates 10 (yyyy/mm/dd, solar calendar).
-- D_Gheimat, D_Mabadi and Depart_1 are kept as an older installation left them: no primary key and
-- a nullable code column. The editors add the key themselves the first time they are shown.

-- Company options: one row per company and fiscal year, settings held as KEY=value; texts.
Create Table Options (
    sCode             Varchar(10)   Not Null,
    CompanyName       Varchar(100)  Null Default '',
    Company_StartDate Varchar(10)   Null Default '',
    Korvash           Varchar(2000) Null Default '',
    Dara              Varchar(1000) Null Default '',
    Sdc               Varchar(1000) Null Default '',
    ERTEBAT           Varchar(500)  Null Default '',
    Constraint PK_Options Primary Key (sCode)
)
