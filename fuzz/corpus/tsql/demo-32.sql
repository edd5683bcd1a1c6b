-- Hand-overs and transfers.
Insert Into D_Tahvil_Antegal (SanadNoAmval, Radif, sDate, DaraCod, FromMakanCod, ToMakanCod, FromPersonelCod, ToPersonelCod, Sharh) Values
    (1, 1, '1400/02/01', '      3002', '  5', '  1', '  106', '  101', 'انتقال خودرو به مديريت'),
    (2, 1, '1402/02/15', '      5003', '   ', '  1', '     ', '  101', 'تحويل لپ تاپ به مديرعامل'),
    (3, 1, '1402/06/20', '      2004', '  2', '  6', '  103', '  110', 'انتقال كمپرسور به تعميرگاه')
