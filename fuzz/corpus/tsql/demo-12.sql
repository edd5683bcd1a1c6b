-- Rights tree: one Y/N column per user id.
Insert Into UserSdcDetail (StrId, Parent, Caption, [1], [2]) Values
    ('D', '', 'سيستم اموال', 'Y', 'Y'),
    ('D_B', 'D', 'ثبت اطلاعات پايه', 'Y', 'Y'),
    ('D_B_DARAE', 'D_B', 'داراييها', 'Y', 'Y'),
    ('D_B_ENDFEE', 'D_B', 'اجزاي بهاي تمام شده', 'Y', 'N'),
    ('D_B_SAKHTAR', 'D_B', 'جدول مشخصات دارايي', 'Y', 'N'),
    ('D_B_MADEH151', 'D_B', 'جدول استهلاك ماده 151', 'Y', 'N'),
    ('D_B_VEZARAT', 'D_B', 'اظهارنامه مالياتي', 'Y', 'N'),
    ('D_B_MABADI', 'D_B', 'مبادي تحويل', 'Y', 'Y'),
    ('D_B_VAZDARAE', 'D_B', 'وضعيت دارايي', 'Y', 'Y'),
    ('D_B_MAKAN', 'D_B', 'مكان استقرار دارايي', 'Y', 'Y'),
    ('D_B_TT2_G', 'D_B', 'گروههاي مراكز هزينه', 'Y', 'N'),
    ('D_B_TT2_T', 'D_B', 'مراكز هزينه', 'Y', 'Y'),
    ('D_B_TAHVIL_GROH', 'D_B', 'واحدهاي سازماني', 'Y', 'N'),
    ('D_B_TAHVIL_TAHVIL', 'D_B', 'تحويل گيرندگان', 'Y', 'Y'),
    ('D_S', 'D', 'صدور اسناد دارايي', 'Y', 'N'),
    ('D_S_BUY', 'D_S', 'سند خريد و ساخت', 'Y', 'N'),
    ('D_S_SALE', 'D_S', 'سند فروش', 'Y', 'N')
