-- The payroll system's cost centres. A site keeps them in the payroll system's own database and
-- names it in Options.ERTEBAT; the demo keeps them in the company database ("main") so that the
-- refusal to delete a cost centre the payroll system still uses can be tried.
Create Table PayCentre (
    CentreCode Varchar(6) Not Null,
    Constraint PK_PayCentre Primary Key (CentreCode)
)
