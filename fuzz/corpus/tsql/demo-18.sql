-- Components of cost price.
Insert Into D_Gheimat (GheimatCod, GheimatNam) Values
    ('  1', 'بهاي خريد'),
    ('  2', 'حقوق و عوارض گمركي'),
    ('  3', 'هزينه حمل'),
    ('  4', 'هزينه نصب و راه اندازي'),
    ('  5', 'بيمه حمل'),
    ('  6', 'كارمزد اعتبار اسنادي')
