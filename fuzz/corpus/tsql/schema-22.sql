-- Organisational units; the code is numeric and stored as typed.
Create Table Depart_1 (
    Code_field Int          Null,
    Desk       Varchar(100) Null Default ''
)
