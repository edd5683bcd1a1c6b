-- Asset groups of the tax declaration.
Insert Into D_VezArat (VezCod, VezNam) Values
    ('  1', 'زمين و ساختمان'),
    ('  2', 'ماشين آلات و تجهيزات'),
    ('  3', 'وسايط نقليه'),
    ('  4', 'اثاثه و منصوبات'),
    ('  5', 'ابزار آلات'),
    ('  6', 'داراييهاي نامشهود')
