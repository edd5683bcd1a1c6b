-- Cost centres of the payroll system: 030004 is used there only, so it cannot be deleted here.
Insert Into PayCentre (CentreCode) Values
    ('010001'),
    ('030004')
