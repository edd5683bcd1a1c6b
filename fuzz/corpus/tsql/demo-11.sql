-- Users: 1 has every right, 2 is restricted.
Insert Into UserSdc (UserId, UserName, KORVASH) Values
    ('1', 'مدير سيستم', 'COPY=YES;PRINT=YES;LANG=FA;'),
    ('2', 'كارشناس اموال', 'copy=no;print=yes;lang=fa;')
