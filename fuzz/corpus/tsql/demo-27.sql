-- Revaluations.
Insert Into D_AsaseChange (SanadNoAmval, Radif, sDate, DaraCod, OldValue, NewValue, Sharh) Values
    (1, 1, '1400/12/29', '      1101', 68000000000, 95000000000, 'تجديد ارزيابي ساختمان اداري')
