-- Project groups.
Insert Into M_GrohProject (ProjectGrohCod, ProjectGrohNam) Values
    ('01', 'پروژه هاي عمراني'),
    ('02', 'پروژه هاي توسعه توليد')
