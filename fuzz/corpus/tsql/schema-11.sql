-- Users and their rights --------------------------------------------------------------------

Create Table UserSdc (
    UserId   Varchar(10)   Not Null,
    UserName Varchar(50)   Null Default '',
    KORVASH  Varchar(1000) Null Default '',
    Constraint PK_UserSdc Primary Key (UserId)
)
