-- Partial reductions.
Insert Into D_DaraeReduce (SanadNoAmval, Radif, sDate, DaraCod, Mablagh, Sharh) Values
    (1, 1, '1401/05/10', '      4003', 35000000, 'كسر يك دستگاه ميز آسيب ديده')
