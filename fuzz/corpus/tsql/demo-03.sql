-- Groups of detail accounts.
Insert Into GrohTafsily (TafsilyGrohCod, TafsilyGrohNam) Values
    ('01', 'تامين كنندگان'),
    ('02', 'پيمانكاران'),
    ('03', 'كاركنان'),
    ('04', 'بانكها')
