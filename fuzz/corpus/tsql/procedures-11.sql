-- Detail-2 groups: a group is in use while any detail-2 account code begins with it.
Create Procedure sp_M_Depended_GrohTafsily2
    @Code Varchar(20)
As
Select (Select Count(*) From Tafsily2
        Where Len(LTrim(RTrim(@Code))) > 0
          And SubString(Tafsily2, 1, Len(LTrim(RTrim(@Code)))) = LTrim(RTrim(@Code)))
       As UsedCount
