-- Demo company: "شركت توليدي نمونه سازان پارس", company code 01, fiscal years 1402 and 1403.
-- A small manufacturer with a head office, two production lines, a paint shop, a central store and
-- a sales office. Codes are written in their stored form: base-list codes, general and subsidiary
-- accounts right-aligned with blanks; detail, detail-2, project and group codes with zeros.

-- Company options for the current and the previous fiscal year.
Insert Into Options (sCode, CompanyName, Company_StartDate, Korvash, Dara, Sdc, ERTEBAT) Values
    ('011403', 'شركت توليدي نمونه سازان پارس', '1398/01/01', 'NAMTAFSILY2=مراكز هزينه;NAMPROJECT=پروژه;TYPE_CREATE_NEWAT=ALL;TYPESARFASLCOD=NUM;SHOWZERO=NO;', 'TYPEDARACOD=NUM;Ast_Mesure=Mah;SANAD_TIME=MAH;SANAD_TYPE=KOL;', 'N_DEP_VAHED=1,2,3,5;', 'DBSNAME_M=main;TBLNAME_M=PayCentre;FLDNAME_M=CentreCode;'),
    ('011402', 'شركت توليدي نمونه سازان پارس', '1398/01/01', 'NAMTAFSILY2=مراكز هزينه;NAMPROJECT=پروژه;TYPE_CREATE_NEWAT=ALL;TYPESARFASLCOD=NUM;', 'TYPEDARACOD=NUM;Ast_Mesure=Mah;SANAD_TIME=MAH;SANAD_TYPE=KOL;', 'N_DEP_VAHED=1,2,3;', 'DBSNAME_M=;TBLNAME_M=;FLDNAME_M=;')
