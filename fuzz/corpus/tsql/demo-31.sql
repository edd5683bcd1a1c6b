Insert Into D_KenarD (SanadNoAmval, Radif, sDate, DaraCod, VazCod, Mablagh) Values
    (1, 1, '1402/03/01', '      4007', '  4', 12000000)
