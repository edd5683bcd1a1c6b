-- Sources from which assets are delivered, each with the account it is credited to.
Insert Into D_Mabadi (MabadiCod, MabadiNam, Koll, Moein, Tafsily, Tafsily2, ProjectCod) Values
    ('  1', 'خريد داخلي از تامين كنندگان', ' 31', '  1', '01002', '', ''),
    ('  2', 'خريد خارجي', ' 31', '  2', '02001', '030001', ''),
    ('  3', 'ساخت داخلي', ' 13', '  1', '', '', '01001'),
    ('  4', 'آورده سهامداران', '  5', '  1', '', '', '')
