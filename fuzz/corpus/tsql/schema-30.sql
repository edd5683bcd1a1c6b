-- Retirement from use: a header (KenarM) and its assets (KenarD).
Create Table D_KenarM (
    SanadNoAmval Int          Not Null,
    sDate        Varchar(10)  Null Default '',
    Sharh        Varchar(200) Null Default '',
    Constraint PK_D_KenarM Primary Key (SanadNoAmval)
)
