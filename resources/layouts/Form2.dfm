object Form2: TForm2
  Caption = 'About Orvane, Inc. - Trellis'
  ClientWidth = 420
  ClientHeight = 300
  BorderStyle = bsDialog
  Position = poScreenCenter
end
