-- Retirements.
Insert Into D_KenarM (SanadNoAmval, sDate, Sharh) Values
    (1, '1402/03/01', 'كنار گذاشتن داراييهاي اسقاطي')
