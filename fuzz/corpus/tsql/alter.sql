Alter Table Depart_1 Alter Column Code Varchar(3) Not Null
Alter Table Depart_1 Add Constraint PK_Depart_1 Primary Key (Code)
