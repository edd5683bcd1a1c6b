-- Groups of detail-2 accounts (cost centres).
Insert Into GrohTafsily2 (Tafsily2GrohCod, Tafsily2GrohNam) Values
    ('01', 'مراكز توليدي'),
    ('02', 'مراكز خدماتي'),
    ('03', 'مراكز اداري و فروش'),
    ('04', 'مراكز پروژه اي')
