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
