object Form4: TForm4
  Caption = ''
  ClientWidth = 761
  ClientHeight = 609
  BorderStyle = bsNone
  Position = poScreenCenter
  Color = $C0C0C0
  OnShow = FormShow
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 761
    Height = 609
    Picture = 'splash'
    Stretch = True
  end
  object Image2: TImage
    Left = 488
    Top = 556
    Width = 40
    Height = 40
    Picture = 'program_icon'
    Stretch = True
  end
  object Panel1: TPanel
    Left = 536
    Top = 552
    Width = 217
    Height = 49
    object Label1: TLabel
      Left = 8
      Top = 6
      Width = 45
      Height = 13
      Caption = 'Loading:'
    end
    object ProgressBar1: TProgressBar
      Left = 60
      Top = 8
      Width = 150
      Height = 9
      Min = 0
      Max = 100
    end
    object Label3: TLabel
      Left = 8
      Top = 26
      Width = 120
      Height = 13
      Caption = 'Loading program.'
    end
    object Label2: TLabel
      Left = 140
      Top = 26
      Width = 70
      Height = 13
      Caption = 'Version 8.40'
    end
  end
end
