-- Tree of menu and form rights: one Y/N column per user, named by the user's id.
Create Table UserSdcDetail (
    StrId   Varchar(50)  Not Null,
    Parent  Varchar(50)  Null Default '',
    Caption Varchar(100) Null Default '',
    [1]     Varchar(1)   Null Default 'N',
    [2]     Varchar(1)   Null Default 'N',
    Constraint PK_UserSdcDetail Primary Key (StrId)
)
