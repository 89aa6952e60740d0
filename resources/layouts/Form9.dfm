object Form9: TForm9
  Caption = 'EDA Resources (work in progress)'
  ClientWidth = 480
  ClientHeight = 360
  BorderStyle = bsSingle
  Position = poScreenCenter
end
