-- One row per code a user may use. No key: granting statements may repeat a grant, which a key
-- would turn into a failed statement that grants nothing.
Create Table UserPrivilege (
    UserId    Varchar(10) Not Null,
    TableName Varchar(30) Not Null,
    FieldCode Varchar(20) Not Null
)
