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
GO

-- Chart of accounts -------------------------------------------------------------------------

Create Table Koll (
    Koll       Varchar(3)   Not Null,
    NamHesab   Varchar(100) Null Default '',
    RecogName  Varchar(10)  Null Default '',
    IsHesabTmp Varchar(10)  Null Default '',
    IsActive   Varchar(10)  Null Default '',
    IsPosHesab Varchar(10)  Null Default '',
    DesChar    Varchar(20)  Null Default '',
    Constraint PK_Koll Primary Key (Koll)
)
GO

Create Table Moein (
    Koll         Varchar(3)   Not Null,
    Moein        Varchar(3)   Not Null,
    NamHesab     Varchar(100) Null Default '',
    RecogName    Varchar(10)  Null Default '',
    IsTafsily1   Varchar(5)   Null Default '',
    IsTafsily2   Varchar(5)   Null Default '',
    IsProject    Varchar(5)   Null Default '',
    IsTafsily    Varchar(5)   Null Default '',
    GrohTafsily  Varchar(100) Null Default '',
    GrohTafsily2 Varchar(100) Null Default '',
    GrohProject  Varchar(100) Null Default '',
    TafsilyJoz   Varchar(500) Null Default '',
    Tafsily2Joz  Varchar(500) Null Default '',
    ProjectJoz   Varchar(500) Null Default '',
    IsActive     Varchar(10)  Null Default '',
    IsPosHesab   Varchar(10)  Null Default '',
    FAtfCh       Varchar(5)   Null Default '',
    FAtfDate     Varchar(5)   Null Default '',
    FAtfNum      Varchar(5)   Null Default '',
    DesChar      Varchar(20)  Null Default '',
    Constraint PK_Moein Primary Key (Koll, Moein)
)
GO

Create Table GrohTafsily (
    TafsilyGrohCod Varchar(2)   Not Null,
    TafsilyGrohNam Varchar(100) Null Default '',
    Constraint PK_GrohTafsily Primary Key (TafsilyGrohCod)
)
GO

Create Table Tafsily (
    Tafsily      Varchar(5)   Not Null,
    NamHesab     Varchar(100) Null Default '',
    RecogName    Varchar(10)  Null Default '',
    IsActive     Varchar(10)  Null Default '',
    IsPosHesab   Varchar(10)  Null Default '',
    DesChar      Varchar(20)  Null Default '',
    GrohTafsily2 Varchar(100) Null Default '',
    Tafsily2Joz  Varchar(500) Null Default '',
    GrohProject  Varchar(100) Null Default '',
    ProjectJoz   Varchar(500) Null Default '',
    Constraint PK_Tafsily Primary Key (Tafsily)
)
GO

Create Table GrohTafsily2 (
    Tafsily2GrohCod Varchar(2)   Not Null,
    Tafsily2GrohNam Varchar(100) Null Default '',
    Constraint PK_GrohTafsily2 Primary Key (Tafsily2GrohCod)
)
GO

-- Detail-2 accounts (cost centres) with the three account chains of the assets kept in them:
-- the asset account (no prefix), accumulated depreciation (A) and depreciation expense (H).
Create Table Tafsily2 (
    Tafsily2    Varchar(6)   Not Null,
    NamHesab    Varchar(100) Null Default '',
    Koll        Varchar(3)   Null Default '',
    Moein       Varchar(3)   Null Default '',
    Tafsily     Varchar(5)   Null Default '',
    ProjectCod  Varchar(5)   Null Default '',
    AKoll       Varchar(3)   Null Default '',
    AMoein      Varchar(3)   Null Default '',
    ATafsily    Varchar(5)   Null Default '',
    AProjectCod Varchar(5)   Null Default '',
    HKoll       Varchar(3)   Null Default '',
    HMoein      Varchar(3)   Null Default '',
    HTafsily    Varchar(5)   Null Default '',
    HProjectCod Varchar(5)   Null Default '',
    RecogName   Varchar(10)  Null Default '',
    IsActive    Varchar(10)  Null Default '',
    IsPosHesab  Varchar(10)  Null Default '',
    DesChar     Varchar(20)  Null Default '',
    GrohProject Varchar(100) Null Default '',
    ProjectJoz  Varchar(500) Null Default '',
    Constraint PK_Tafsily2 Primary Key (Tafsily2)
)
GO

Create Table M_GrohProject (
    ProjectGrohCod Varchar(2)   Not Null,
    ProjectGrohNam Varchar(100) Null Default '',
    Constraint PK_M_GrohProject Primary Key (ProjectGrohCod)
)
GO

Create Table M_Project (
    ProjectCod Varchar(5)   Not Null,
    ProjectNam Varchar(100) Null Default '',
    RecogName  Varchar(10)  Null Default '',
    IsActive   Varchar(10)  Null Default '',
    IsPosHesab Varchar(10)  Null Default '',
    DesChar    Varchar(20)  Null Default '',
    Constraint PK_M_Project Primary Key (ProjectCod)
)
GO

-- Accounting documents of all systems; TypeSys 'D' marks those of the asset system.
Create Table Asnad (
    TypeSys    Varchar(1)    Not Null,
    SanadNo    Int           Not Null,
    Radif      Int           Not Null,
    SanadDate  Varchar(10)   Null Default '',
    WhatDoc    Varchar(2)    Null Default '',
    Koll       Varchar(3)    Null Default '',
    Moein      Varchar(3)    Null Default '',
    Tafsily    Varchar(5)    Null Default '',
    Tafsily2   Varchar(6)    Null Default '',
    ProjectCod Varchar(5)    Null Default '',
    Sharh      Varchar(200)  Null Default '',
    Bed        Decimal(19,0) Null Default 0,
    Bes        Decimal(19,0) Null Default 0,
    Constraint PK_Asnad Primary Key (TypeSys, SanadNo, Radif)
)
GO

-- The payroll system's cost centres. A site keeps them in the payroll system's own database and
-- names it in Options.ERTEBAT; the demo keeps them in the company database ("main") so that the
-- refusal to delete a cost centre the payroll system still uses can be tried.
Create Table PayCentre (
    CentreCode Varchar(6) Not Null,
    Constraint PK_PayCentre Primary Key (CentreCode)
)
GO

-- Users and their rights --------------------------------------------------------------------

Create Table UserSdc (
    UserId   Varchar(10)   Not Null,
    UserName Varchar(50)   Null Default '',
    KORVASH  Varchar(1000) Null Default '',
    Constraint PK_UserSdc Primary Key (UserId)
)
GO

-- Tree of menu and form rights: one Y/N column per user, named by the user's id.
Create Table UserSdcDetail (
    StrId   Varchar(50)  Not Null,
    Parent  Varchar(50)  Null Default '',
    Caption Varchar(100) Null Default '',
    [1]     Varchar(1)   Null Default 'N',
    [2]     Varchar(1)   Null Default 'N',
    Constraint PK_UserSdcDetail Primary Key (StrId)
)
GO

-- One row per code a user may use. No key: granting statements may repeat a grant, which a key
-- would turn into a failed statement that grants nothing.
Create Table UserPrivilege (
    UserId    Varchar(10) Not Null,
    TableName Varchar(30) Not Null,
    FieldCode Varchar(20) Not Null
)
GO

-- Saved grid layouts, one row per grid column.
Create Table Grid_State (
    UserId   Varchar(10) Not Null,
    sVisible Varchar(1)  Null Default 'T',
    sProg    Varchar(5)  Not Null,
    sItem    Varchar(20) Not Null,
    sForm    Varchar(30) Not Null,
    sPart    Varchar(30) Not Null Default '',
    sColName Varchar(50) Null Default '',
    iLen     Int         Null Default 0,
    iRaj     Int         Not Null,
    Constraint PK_Grid_State Primary Key (UserId, sProg, sItem, sForm, sPart, iRaj)
)
GO

-- Base lists of the asset system ------------------------------------------------------------

Create Table D_Makan (
    MakanCod Varchar(3)   Not Null,
    MakanNam Varchar(100) Null Default '',
    Tafsily2 Varchar(6)   Null Default '',
    Constraint PK_D_Makan Primary Key (MakanCod)
)
GO

Create Table D_VazDarae (
    VazCod Varchar(3)   Not Null,
    VazNam Varchar(100) Null Default '',
    Constraint PK_D_VazDarae Primary Key (VazCod)
)
GO

Create Table D_VezArat (
    VezCod Varchar(3)   Not Null,
    VezNam Varchar(100) Null Default '',
    Constraint PK_D_VezArat Primary Key (VezCod)
)
GO

Create Table D_Gheimat (
    GheimatCod Varchar(3)   Null,
    GheimatNam Varchar(100) Null Default ''
)
GO

Create Table D_Mabadi (
    MabadiCod  Varchar(3)   Null,
    MabadiNam  Varchar(100) Null Default '',
    Koll       Varchar(3)   Null Default '',
    Moein      Varchar(3)   Null Default '',
    Tafsily    Varchar(5)   Null Default '',
    Tafsily2   Varchar(6)   Null Default '',
    ProjectCod Varchar(5)   Null Default ''
)
GO

-- Depreciation rates of article 151 of the direct-taxes law. Sharh is the method, copied into
-- the asset's RaveshEst: a straight-line row carries years, a declining row a percentage.
Create Table D_Madeh151 (
    MadehCod Varchar(3)   Not Null,
    MadehNam Varchar(150) Null Default '',
    Sharh    Varchar(6)   Null Default '',
    Nozooli  Float        Null Default 0,
    Salianeh Int          Null Default 0,
    Constraint PK_D_Madeh151 Primary Key (MadehCod)
)
GO

-- Characteristics: one code spans several rows (SakhtarRaj), so the key covers both; IDX
-- identifies a row for the grid.
Create Table D_Sakhtar (
    SakhtarCod  Varchar(3)   Not Null,
    SakhtarRaj  Int          Not Null,
    SakhtarNam  Varchar(100) Null Default '',
    SakhtarLen  Int          Null Default 0,
    SakhtarType Varchar(10)  Null Default '',
    IDX         Int          Identity(1, 1) Not Null,
    Constraint PK_D_Sakhtar Primary Key (SakhtarCod, SakhtarRaj)
)
GO

-- Organisational units; the code is numeric and stored as typed.
Create Table Depart_1 (
    Code_field Int          Null,
    Desk       Varchar(100) Null Default ''
)
GO

-- Personnel, shared with payroll. Account chains exist per role: D_ for the asset system, none
-- for the roles F and N. The payroll columns belong to other systems; empty ones get '0'.
Create Table Person (
    Code         Varchar(5)  Not Null,
    Name         Varchar(50) Null Default '',
    Family       Varchar(50) Null Default '',
    Vahd         Int         Null,
    ActionType   Varchar(20) Null Default '',
    D_KOLL       Varchar(3)  Null Default '',
    D_MOEIN      Varchar(3)  Null Default '',
    D_TAFSILY    Varchar(5)  Null Default '',
    D_TAFSILY2   Varchar(6)  Null Default '',
    D_PROJECTCOD Varchar(5)  Null Default '',
    KOLL         Varchar(3)  Null Default '',
    MOEIN        Varchar(3)  Null Default '',
    TAFSILY      Varchar(5)  Null Default '',
    TAFSILY2     Varchar(6)  Null Default '',
    PROJECTCOD   Varchar(5)  Null Default '',
    Sex          Varchar(20) Null Default '0',
    Tax          Varchar(20) Null Default '0',
    Taahol       Varchar(20) Null Default '0',
    Olad         Varchar(20) Null Default '0',
    Nezam        Varchar(20) Null Default '0',
    Tahsil       Varchar(20) Null Default '0',
    Noe_employ   Varchar(20) Null Default '0',
    Code_biemh   Varchar(20) Null Default '0',
    Code_bank    Varchar(20) Null Default '0',
    Tel          Varchar(20) Null Default '0',
    Noe_dar      Varchar(20) Null Default '0',
    Acc          Varchar(20) Null Default '0',
    Depart       Varchar(20) Null Default '0',
    Resht_t      Varchar(20) Null Default '0',
    Resht_a      Varchar(20) Null Default '0',
    Resteh       Varchar(20) Null Default '0',
    Floor        Varchar(20) Null Default '0',
    Grade        Varchar(20) Null Default '0',
    Khdmat       Varchar(20) Null Default '0',
    Per_day      Varchar(20) Null Default '0',
    Perover      Varchar(20) Null Default '0',
    Paydays      Varchar(20) Null Default '0',
    Semat        Varchar(20) Null Default '0',
    Okey         Varchar(20) Null Default '0',
    K_snavat     Varchar(20) Null Default '0',
    Grade_kara   Varchar(20) Null Default '0',
    Fullpadash   Varchar(20) Null Default '0',
    Totmonth     Varchar(20) Null Default '0',
    Noe_kar      Varchar(20) Null Default '0',
    IsDelete     Varchar(1)  Null Default ' ',
    irani        Varchar(1)  Null Default '0',
    maintax      Varchar(1)  Null Default '0',
    Name_F       Varchar(50) Null Default '',
    Constraint PK_Person Primary Key (Code)
)
GO

-- The asset register. Batch creation writes only the code, name, method, rates and date, so
-- every other column has a default.
Create Table D_Amval (
    DaraCod     Varchar(10)   Not Null,
    DaraNam     Varchar(100)  Null Default '',
    VezCod      Varchar(3)    Null Default '',
    MadehCod    Varchar(3)    Null Default '',
    RaveshEst   Varchar(6)    Null Default '',
    Nozooli     Float         Null Default 0,
    Salianeh    Int           Null Default 0,
    BahreDate   Varchar(10)   Null Default '',
    EndValue    Decimal(19,0) Null Default 0,
    GarantiEnd  Varchar(10)   Null Default '',
    Anbashteh   Decimal(19,0) Null Default 0,
    Esshat      Decimal(19,0) Null Default 0,
    MakanCod    Varchar(3)    Null Default '',
    PersonelCod Varchar(5)    Null Default '',
    VazCod      Varchar(3)    Null Default '',
    SakhtarCod  Varchar(3)    Null Default '',
    PelakOld    Varchar(10)   Null Default '',
    PelakNew    Varchar(10)   Null Default '',
    MadeDate    Varchar(10)   Null Default '',
    DKoll       Varchar(3)    Null Default '',
    DMoein      Varchar(3)    Null Default '',
    DTafsily    Varchar(5)    Null Default '',
    DTafsily2   Varchar(6)    Null Default '',
    DProjectCod Varchar(5)    Null Default '',
    Koll        Varchar(3)    Null Default '',
    Moein       Varchar(3)    Null Default '',
    Tafsily     Varchar(5)    Null Default '',
    Tafsily2    Varchar(6)    Null Default '',
    ProjectCod  Varchar(5)    Null Default '',
    HKoll       Varchar(3)    Null Default '',
    HMoein      Varchar(3)    Null Default '',
    HTafsily    Varchar(5)    Null Default '',
    HTafsily2   Varchar(6)    Null Default '',
    HProjectCod Varchar(5)    Null Default '',
    Constraint PK_D_Amval Primary Key (DaraCod)
)
GO

-- Asset documents -----------------------------------------------------------------------------
-- Every document table carries its date (sDate) and number (SanadNoAmval).

-- Revaluation: a new cost basis for an asset.
Create Table D_AsaseChange (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    OldValue     Decimal(19,0) Null Default 0,
    NewValue     Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_AsaseChange Primary Key (SanadNoAmval, Radif)
)
GO

-- Opening adjustment of an asset's values when the system is taken into use.
Create Table D_FirstTadil (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    EndValue     Decimal(19,0) Null Default 0,
    Anbashteh    Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_FirstTadil Primary Key (SanadNoAmval, Radif)
)
GO

-- Purchase or construction: each row one cost component of an asset from a delivery source.
Create Table D_Buy_Create (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    MabadiCod    Varchar(3)    Null Default '',
    GheimatCod   Varchar(3)    Null Default '',
    Mablagh      Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_Buy_Create Primary Key (SanadNoAmval, Radif)
)
GO

-- Sale or disposal.
Create Table D_ForoshDaymeh (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    Kharidar     Varchar(100)  Null Default '',
    Mablagh      Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_ForoshDaymeh Primary Key (SanadNoAmval, Radif)
)
GO

-- Partial reduction of an asset (a part sold, lost or written off).
Create Table D_DaraeReduce (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    Mablagh      Decimal(19,0) Null Default 0,
    Sharh        Varchar(200)  Null Default '',
    Constraint PK_D_DaraeReduce Primary Key (SanadNoAmval, Radif)
)
GO

-- Retirement from use: a header (KenarM) and its assets (KenarD).
Create Table D_KenarM (
    SanadNoAmval Int          Not Null,
    sDate        Varchar(10)  Null Default '',
    Sharh        Varchar(200) Null Default '',
    Constraint PK_D_KenarM Primary Key (SanadNoAmval)
)
GO

Create Table D_KenarD (
    SanadNoAmval Int           Not Null,
    Radif        Int           Not Null,
    sDate        Varchar(10)   Null Default '',
    DaraCod      Varchar(10)   Not Null,
    VazCod       Varchar(3)    Null Default '',
    Mablagh      Decimal(19,0) Null Default 0,
    Constraint PK_D_KenarD Primary Key (SanadNoAmval, Radif)
)
GO

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
GO

-- Change of the depreciation method or rate of an asset.
Create Table D_SoulationChange (
    SanadNoAmval Int          Not Null,
    Radif        Int          Not Null,
    sDate        Varchar(10)  Null Default '',
    DaraCod      Varchar(10)  Not Null,
    MadehCod     Varchar(3)   Null Default '',
    RaveshEst    Varchar(6)   Null Default '',
    Nozooli      Float        Null Default 0,
    Salianeh     Int          Null Default 0,
    Sharh        Varchar(200) Null Default '',
    Constraint PK_D_SoulationChange Primary Key (SanadNoAmval, Radif)
)
GO
