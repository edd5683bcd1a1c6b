-- Sales.
Insert Into D_ForoshDaymeh (SanadNoAmval, Radif, sDate, DaraCod, Kharidar, Mablagh, Sharh) Values
    (1, 1, '1402/08/15', '      3006', 'آقاي بهرام شريفي', 260000000, 'فروش خودروي پرايد')
